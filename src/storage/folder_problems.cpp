#include "storage/folder_problems.h"

#include <algorithm>

#include "storage/app_settings.h"
#include "storage/ini_file.h"
#include "storage/macro_files.h"
#include "storage/paths.h"
#include "storage/profile_files.h"

namespace mousecfg {

QVector<FolderProblem> findFolderProblems(const Paths& paths) {
    QStringList files{paths.descriptorFile(), paths.configFile(), paths.langConfigFile()};
    const QString product = appsettings::loadCurrentProductName(paths);
    if (!product.isEmpty()) files << paths.productConfigFile(product);
    {
        IniReader config(paths, paths.configFile());
        for (int i = 1; i <= 5; ++i) {
            const QString name = config.value(QStringLiteral("Config/Profile%1").arg(i)).toString();
            files << currentProfileFile(paths, name);
        }
    }
    for (const QString& macro : macroNames(paths)) files << macroFilePath(paths, macro);
    QVector<FolderProblem> problems;
    for (const QString& file : files) {
        if (file.isEmpty() || std::any_of(problems.begin(), problems.end(),
                                          [&file](const FolderProblem& p) { return p.file == file; }))
            continue;
        const FileIssue issue = checkDataFile(paths.dataDir(), file);
        if (issue != FileIssue::None && issue != FileIssue::Missing) problems.push_back({file, issue});
    }
    return problems;
}

}  // namespace mousecfg
