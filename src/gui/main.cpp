// tallyscope: the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Orvenhal Tallyscope v1.000");
    w.resize(1000, 640);
    w.show();
    return app.exec();
}
