#pragma once

#include <QString>
#include <QStringList>

namespace mousecfg {

// Where every file of the program lives.
//
// installDir holds what ships with the program and is only read: skin/, lang/, and the seed
// copies of DefaultProfile.bin and Configs/. dataDir holds DefaultProfile.bin and Configs/ as the
// program uses them.
//
// Two layouts are told apart by where DefaultProfile.bin is:
// - a build folder (or a copy of one): beside the executable. Both folders are the program
//   folder; when that folder cannot be written dataDir becomes the per-user folder.
// - an installed tree (<prefix>/bin/mousecfg): in <prefix>/share/mousecfg, reached from the
//   program folder by installedDataFromBin(). That tree is never written, even where the user
//   could (a prefix in the home folder, an unpacked package): dataDir is the per-user folder.
// The per-user folder is "mousecfg" under the XDG data directory (~/.local/share/mousecfg),
// seeded from installDir on first use. --data-dir DIR or MOUSECFG_DATA_DIR pick dataDir
// explicitly.
class Paths {
public:
    Paths() = default;
    // Both folders given explicitly; nothing is copied or created.
    Paths(QString installDir, QString dataDir);
    // Everything in one folder (what tests use).
    static Paths singleFolder(const QString& dir) { return Paths(dir, dir); }

    // Resolves the folders for a running program in programDir (its executable's folder).
    // dataDirOverride comes from --data-dir; when it is empty MOUSECFG_DATA_DIR is consulted. A
    // data folder that does not exist or is empty is seeded from installDir (DefaultProfile.bin
    // and Configs/).
    static Paths forProgram(const QString& programDir, const QString& dataDirOverride = QString());

    // Where the installation data of a program in programDir is, and whether that is an installed
    // tree. dataFromBin is the relative path from the installed bin/ to the installed data folder.
    struct Installation {
        QString dir;
        bool installed = false;
    };
    static Installation locateInstallation(const QString& programDir,
                                           const QString& dataFromBin = installedDataFromBin());
    // "../share/mousecfg" for the usual GNU layout; follows the install directories the build was
    // configured with.
    static QString installedDataFromBin();

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
