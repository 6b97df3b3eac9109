#include <langinfo.h>

#include <clocale>

#include "platform/CodePageConverter.h"

QByteArray SystemCodePageName() {
    static const QByteArray codeset = [] {
        const char* pOld = std::setlocale(LC_CTYPE, nullptr);
        QByteArray old = pOld ? QByteArray(pOld) : QByteArray("C");
        std::setlocale(LC_CTYPE, "");
        QByteArray set = nl_langinfo(CODESET);
        std::setlocale(LC_CTYPE, old.constData());
        if (set.isEmpty() || set == "ANSI_X3.4-1968" || set == "ASCII") return QByteArray("UTF-8");
        return set;
    }();
    return codeset;
}

std::unique_ptr<CCodePageConverter> MakeSystemConverter(const QByteArray& name) {
    return MakeQtConverter(name);
}
