// The floor of a window program's start: a bare dialog shown, then exit.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dlg;
    dlg.resize(760, 600);
    dlg.show();
    QApplication::processEvents();
    return 0;
}
