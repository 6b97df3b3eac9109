// The floor of a command-line run: a bare Qt core program started and ended.
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return 0;
}
