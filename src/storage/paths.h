#pragma once

#include <QString>
#include <QStringList>

namespace mousecfg {

// Where every file of the program lives.
//
// installDir holds what ships with the program and is only read: skin/, lang/, and the seed
// copies of DefaultProfile.bin and Configs/. dataDir holds DefaultProfile.bin and Configs/ as the
// program uses them. By default both are the program folder; when that folder cannot be written
// (an installed package) dataDir becomes a per-user folder under the XDG data directory, seeded
// from installDir on first use. --data-dir DIR or MOUSECFG_DATA_DIR pick dataDir explicitly.
class Paths {
public:
    Paths() = default;
    // Both folders given explicitly; nothing is copied or created.
    Paths(QString installDir, QString dataDir);
    // Everything in one folder (what tests use).
    static Paths singleFolder(const QString& dir) { return Paths(dir, dir); }

    // Resolves the folders for a running program. dataDirOverride comes from --data-dir; when it
    // is empty MOUSECFG_DATA_DIR is consulted. A data folder that does not exist or is empty is
    // seeded from installDir (DefaultProfile.bin and Configs/).
    static Paths forProgram(const QString& installDir, const QString& dataDirOverride = QString());

    const QString& installDir() const { return installDir_; }
    const QString& dataDir() const { return dataDir_; }

    QString descriptorFile() const;                           // DefaultProfile.bin
    QString configDir() const;                                // Configs
    QString configFile() const;                               // Configs/Config.ini
    QString langConfigFile() const;                           // Configs/LangConfig.ini
    QString profileDir() const;                               // Configs/Profile
    QString macroDir() const;                                 // Configs/MacroDB
    QString productDir(const QString& product) const;         // Configs/<product>
    QString productConfigFile(const QString& product) const;  // Configs/<product>/Config.ini
    QString productProfileDir(const QString& product) const;  // Configs/<product>/Profile
    QString skinDir() const;                                  // skin (installation data)
    QString skinFile(const QString& relative) const;
    QString langDir() const;  // lang (installation data)

    // A name used as a file's base name (profile, macro, product) is safe when it cannot leave
    // its folder: not empty, not "." or "..", no path separator, no NUL.
    static bool isSafeFileName(const QString& name);

    // Copies DefaultProfile.bin and Configs/ from installDir into dataDir, never overwriting a
    // file that exists. Returns false when something could not be copied.
    bool seedDataDir() const;

private:
    QString installDir_;
    QString dataDir_;
};

}  // namespace mousecfg
