#include "infowin/InfoWindows.h"

#include "app/KpSettings.h"
#include "display/CKpView.h"
#include "display/CMainFrame.h"
#include "infowin/CPropertiesWindow.h"
#include "infowin/CTraceWindow.h"
#include "platform/SettingsStore.h"
#include "view/ViewSettings.h"

#include <QAction>

namespace kp {

namespace {

QAction* ToggleAction(const QString& text, const QString& name, const QString& tip, QObject* parent)
{
    auto* a = new QAction(text, parent);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setStatusTip(tip);
    return a;
}

// Shows or hides a tool window; a window shown again goes where its rules say.
void Toggle(ToolWindow& w, bool shown, QAction* action)
{
    if (shown) {
        if (!w.isVisible())
            w.PlaceBesideFrame();
        w.show();
        w.raise();
    } else if (w.isVisible()) {
        w.SaveSettings();
        w.hide();
    }
    action->setChecked(shown);
}

} // namespace

InfoWindows::InfoWindows(CMainFrame& frame)
    : QObject(&frame)
    , frame_(frame)
{
    trace_ = ToggleAction(QStringLiteral("&Trace"), QStringLiteral("TraceCommand"),
        QStringLiteral("Show or hide the values at the cursors."), this);
    properties_ = ToggleAction(QStringLiteral("&Properties"), QStringLiteral("PropertiesCommand"),
        QStringLiteral("Show or hide the recorded settings."), this);
    connect(trace_, &QAction::triggered, this, [this](bool on) { ShowTrace(on); });
    connect(properties_, &QAction::triggered, this, [this](bool on) { ShowProperties(on); });
    connect(&frame_.View(), &CKpView::recordLoaded, this, &InfoWindows::FirstLoad);
}

CTraceWindow& InfoWindows::Trace()
{
    if (traceWindow_ == nullptr) {
        traceWindow_ = new CTraceWindow(
            frame_.View(), frame_.Document(), frame_.Services().store, frame_.Settings().traceAll, &frame_);
        traceWindow_->ApplyTranslucency(frame_.Settings());
        connect(traceWindow_, &QObject::destroyed, this, [this] { traceWindow_ = nullptr; });
        // The window's own close button unchecks the command.
        connect(traceWindow_, &CTraceWindow::closed, trace_, [this] { trace_->setChecked(false); });
    }
    return *traceWindow_;
}

CPropertiesWindow& InfoWindows::Properties()
{
    if (propertiesWindow_ == nullptr) {
        propertiesWindow_ = new CPropertiesWindow(
            frame_.View(), frame_.Document(), frame_.Services().store, frame_.Settings().property, &frame_);
        propertiesWindow_->ApplyTranslucency(frame_.Settings());
        connect(propertiesWindow_, &QObject::destroyed, this, [this] { propertiesWindow_ = nullptr; });
        connect(propertiesWindow_, &CPropertiesWindow::closed, properties_, [this] { properties_->setChecked(false); });
    }
    return *propertiesWindow_;
}

void InfoWindows::ShowTrace(bool shown)
{
    if (shown || traceWindow_ != nullptr)
        Toggle(Trace(), shown, trace_);
    if (!shown)
        WriteInt(frame_.Services().store, settings::kShowTrace, 0);
}

void InfoWindows::ShowProperties(bool shown)
{
    if (shown || propertiesWindow_ != nullptr)
        Toggle(Properties(), shown, properties_);
    if (!shown)
        WriteInt(frame_.Services().store, settings::kShowProperty, 0);
}

QWidget* InfoWindows::ShowByName(const QString& name)
{
    if (name == QStringLiteral("trace")) {
        ShowTrace(true);
        return traceWindow_;
    }
    if (name == QStringLiteral("properties")) {
        ShowProperties(true);
        return propertiesWindow_;
    }
    return nullptr;
}

void InfoWindows::FirstLoad()
{
    if (firstLoadSeen_)
        return;
    firstLoadSeen_ = true;
    const SettingsStore& store = frame_.Services().store;
    if (ReadInt(store, settings::kShowProperty, 0) != 0)
        ShowProperties(true);
    if (ReadInt(store, settings::kShowTrace, 0) != 0)
        ShowTrace(true);
}

void InfoWindows::SaveSettings()
{
    if (traceWindow_ != nullptr)
        traceWindow_->SaveSettings();
    if (propertiesWindow_ != nullptr)
        propertiesWindow_->SaveSettings();
}

} // namespace kp
