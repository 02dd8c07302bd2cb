#pragma once
// The information windows of the main frame (trace, properties): their menu
// commands, their creation on first use, showing them again on the first
// load when they were open at the last exit, and their settings at exit.

#include <QObject>

class QAction;
class QString;
class QWidget;

namespace kp {

class CMainFrame;
class CPropertiesWindow;
class CTraceWindow;

class InfoWindows : public QObject {
    Q_OBJECT

public:
    explicit InfoWindows(CMainFrame& frame);

    QAction* traceAction() const { return trace_; }
    QAction* propertiesAction() const { return properties_; }
    // Created on first use.
    CTraceWindow& Trace();
    CPropertiesWindow& Properties();
    CTraceWindow* TraceIfCreated() const { return traceWindow_; }
    CPropertiesWindow* PropertiesIfCreated() const { return propertiesWindow_; }
    void ShowTrace(bool shown);
    void ShowProperties(bool shown);
    // Shows the window of that name ("trace", "properties"); nullptr for an
    // unknown name.
    QWidget* ShowByName(const QString& name);
    // Writes the settings of every created window (at the frame's close).
    void SaveSettings();

private:
    void FirstLoad();

    CMainFrame& frame_;
    QAction* trace_ = nullptr;
    QAction* properties_ = nullptr;
    CTraceWindow* traceWindow_ = nullptr;
    CPropertiesWindow* propertiesWindow_ = nullptr;
    bool firstLoadSeen_ = false;
};

} // namespace kp
