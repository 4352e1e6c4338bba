// Adds 1 to a profile counter again and again, as a copy of the program
// would: profile_stress CONFIG_FOLDER APP_NAME ENTRY COUNT
#include <QCoreApplication>
#include <QSettings>
#include <cstdio>

#include "platform/qt/qt_profile.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: profile_stress CONFIG_FOLDER APP_NAME ENTRY COUNT\n");
        return 2;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLocal8Bit(argv[1]));
    const QString app = QString::fromLocal8Bit(argv[2]);
    const QString entry = QString::fromLocal8Bit(argv[3]);
    const int count = QString::fromLocal8Bit(argv[4]).toInt();
    platform::qt::QtProfile profile;
    for (int i = 0; i < count; ++i)
        profile.Increment("Quenmore", app, "Tavolk", entry);
    return 0;
}
