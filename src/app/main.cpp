#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tubamon"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tubamon Utility"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
