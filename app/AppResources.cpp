#include "app/AppResources.h"

#include <QtGlobal>

void InitAppResources() {
    static const bool bDone = [] {
        Q_INIT_RESOURCE(quorrix);
        return true;
    }();
    Q_UNUSED(bDone);
}
