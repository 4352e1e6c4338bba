// The per-user profile in the toolkit's native settings store: a file under
// the user's configuration folder on Linux, the registry on Windows.
#pragma once

#include <QString>

namespace platform::qt {

class QtProfile {
public:
    int Get(const QString& org, const QString& app, const QString& section, const QString& entry,
            int defaultValue) const;
    bool Write(const QString& org, const QString& app, const QString& section, const QString& entry,
               int value);
    int Increment(const QString& org, const QString& app, const QString& section,
                  const QString& entry);
    // Where the values of (org, app) are kept.
    static QString Location(const QString& org, const QString& app);
};

}  // namespace platform::qt
