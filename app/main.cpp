#include "app/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // --help, --version and --help-man print and end before anything needs a display.
    int status = 0;
    if (answerInformationOptions(argc, argv, &status))
        return status;
    QApplication app(argc, argv);
    // The name of the user's data folder of an installed program, whatever the file is called.
    QCoreApplication::setApplicationName(QStringLiteral("tallvane"));
    return runTallvane();
}
