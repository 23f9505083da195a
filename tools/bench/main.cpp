// Timings of the operations that must stay fast on large classifications.
#include <QApplication>

void benchModel();
void benchEditor();

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    benchModel();
    benchEditor();
    return 0;
}
