#include "app/QtCompanionStarter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>

namespace kp {

bool StartCompanion(const std::filesystem::path& program, const std::filesystem::path& file)
{
    return QProcess::startDetached(QString::fromStdString(program.string()), { QString::fromStdString(file.string()) });
}

std::filesystem::path ChooseCompanion(QWidget* parent)
{
    const QString name = QString::fromStdString(CompanionFileName());
    const QString chosen = QFileDialog::getOpenFileName(parent, QStringLiteral("Open"),
        QCoreApplication::applicationDirPath(), QStringLiteral("Stripview Application (%1)").arg(name));
    return chosen.isEmpty() ? std::filesystem::path() : std::filesystem::path(chosen.toStdString());
}

std::vector<std::filesystem::path> CompanionCandidatesHere()
{
    return CompanionCandidates(
        QCoreApplication::applicationDirPath().toStdString(), qEnvironmentVariable("PATH").toStdString());
}

} // namespace kp
