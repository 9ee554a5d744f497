#include "version.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zorvan PRO Editor 3.0 Ver %1").arg(QLatin1String(zorvan::kVersionString)));
    window.showMaximized();
    return app.exec();
}
