#include "display/HelpMenu.h"

#include "app/QtSettingsStore.h"
#include "display/CommandActions.h"
#include "view/AboutText.h"
#include "view/CommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kp {

namespace {

QDialog* MakeTextWindow(
    QWidget* parent, const QString& name, const QString& title, const std::string& markdown, QSize size)
{
    auto* window = new QDialog(parent);
    window->setObjectName(name);
    window->setWindowTitle(title);
    auto* text = new QTextBrowser(window);
    text->setObjectName(QStringLiteral("Text"));
    text->setOpenExternalLinks(true);
    text->setMarkdown(QString::fromStdString(markdown));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(text);
    layout->addWidget(buttons);
    window->resize(size);
    return window;
}

// The installed README beside the program's share folder, else the one of
// the checkout it was built from.
std::string ReadmeUrl()
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QStringList candidates
        = { bin.filePath(QStringLiteral("../share/doc/kp/README.md")),
#if defined(KP_SOURCE_README)
              QStringLiteral(KP_SOURCE_README),
#endif
          };
    for (const QString& path : candidates) {
        if (QFileInfo(path).isFile())
            return QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath()).toString().toStdString();
    }
    return {};
}

} // namespace

HelpMenu::HelpMenu(QMainWindow& frame)
    : QObject(&frame)
    , frame_(frame)
{
    menu_ = frame.menuBar()->addMenu(QStringLiteral("&Help"));
    menu_->setObjectName(QStringLiteral("HelpMenu"));
    shortcuts_ = MakeCommandAction(this, CommandId::KeyboardShortcuts);
    connect(shortcuts_, &QAction::triggered, this, &HelpMenu::ShowKeyboardShortcuts);
    menu_->addAction(shortcuts_);
    aboutSeparator_ = menu_->addSeparator();
    about_ = new QAction(QStringLiteral("&About Kp"), this);
    about_->setMenuRole(QAction::AboutRole);
    connect(about_, &QAction::triggered, this, &HelpMenu::ShowAbout);
    menu_->addAction(about_);
}

QDialog* HelpMenu::ShowKeyboardShortcuts()
{
    if (shortcutsWindow_ == nullptr) {
        shortcutsWindow_ = MakeTextWindow(&frame_, QStringLiteral("KeyboardShortcutsWindow"),
            QStringLiteral("Keyboard Shortcuts"), "## Keyboard and mouse\n\n" + ShortcutsMarkdown(), QSize(620, 640));
    }
    shortcutsWindow_->show();
    shortcutsWindow_->raise();
    return shortcutsWindow_;
}

QDialog* HelpMenu::ShowAbout()
{
    if (aboutWindow_ == nullptr) {
        const AboutFacts facts {
            KP_VERSION,
            BuildDescription(),
            qVersion(),
            QDir::toNativeSeparators(QtSettingsStore().fileName()).toStdString(),
            ReadmeUrl(),
        };
        aboutWindow_ = MakeTextWindow(
            &frame_, QStringLiteral("AboutWindow"), QStringLiteral("About Kp"), AboutMarkdown(facts), QSize(520, 280));
    }
    aboutWindow_->show();
    aboutWindow_->raise();
    return aboutWindow_;
}

void HelpMenu::AddVersionLookup(QAction* lookup)
{
    menu_->insertAction(aboutSeparator_, lookup);
}

} // namespace kp
