#include "platform/qt/qt_profile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <optional>

#include "platform/backend.h"

namespace platform::qt {

namespace {

// Updates of one store take this lock, so that a read-modify-write of one
// copy of the program never interleaves with another's. The toolkit keeps
// its own lock file beside the store for single writes; ours has another name.
constexpr char kUpdateLockSuffix[] = ".update-lock";
constexpr int kLockWaitMs = 10000;

std::optional<int> ReadValue(QSettings& settings, const QString& section, const QString& entry) {
    // Pick up what other copies of the program wrote since this store was last read.
    settings.sync();
    const QVariant v = settings.value(section + QLatin1Char('/') + entry);
    if (!v.isValid())
        return std::nullopt;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

// The toolkit re-reads a store only when its size or modification time
// changed. Two writes within one millisecond that keep the size could leave
// another process with a stale copy, so every write moves the time forward.
void KeepModificationTimeMoving(const QString& file, const QDateTime& before) {
    const QDateTime after = QFileInfo(file).lastModified();
    if (!before.isValid() || after > before)
        return;
    QFile f(file);
    if (f.open(QIODevice::ReadOnly))
        f.setFileTime(before.addMSecs(1), QFileDevice::FileModificationTime);
}

bool WriteValue(QSettings& settings, const QString& section, const QString& entry, int value) {
    const QString file = settings.fileName();
    const QDateTime before = QFileInfo(file).lastModified();
    settings.setValue(section + QLatin1Char('/') + entry, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return false;
    KeepModificationTimeMoving(file, before);
    return true;
}

// The lock lives beside the store, so its folder must exist first.
QString PrepareFolder(const QSettings& settings) {
    const QString file = settings.fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return file + QLatin1String(kUpdateLockSuffix);
}

}  // namespace

QString QtProfile::Location(const QString& org, const QString& app) {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, org, app).fileName();
}

int QtProfile::Get(const QString& org, const QString& app, const QString& section,
                   const QString& entry, int defaultValue) const {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, org, app);
    return ReadValue(settings, section, entry).value_or(defaultValue);
}

bool QtProfile::Write(const QString& org, const QString& app, const QString& section,
                      const QString& entry, int value) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, org, app);
    QLockFile lock(PrepareFolder(settings));
    // Without the lock (a folder we cannot write, say) the write is still tried.
    lock.tryLock(kLockWaitMs);
    return WriteValue(settings, section, entry, value);
}

int QtProfile::Increment(const QString& org, const QString& app, const QString& section,
                         const QString& entry) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, org, app);
    QLockFile lock(PrepareFolder(settings));
    lock.tryLock(kLockWaitMs);
    const int value = WrappingIncrement(ReadValue(settings, section, entry).value_or(0));
    WriteValue(settings, section, entry, value);
    return value;
}

}  // namespace platform::qt
