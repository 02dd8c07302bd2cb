#pragma once
// The narrow pane beside the view: a scale with a tick per division, lined
// up with the wave area, and one rotated column of texts per channel.

#include "view/GaugeTexts.h"

#include <QColor>
#include <QWidget>

#include <vector>

namespace kp {

class WaveGauge : public QWidget {
    Q_OBJECT

public:
    explicit WaveGauge(QWidget* parent = nullptr);

    struct Content {
        bool loaded = false;
        int top = 0; // the wave area, in the gauge's coordinates
        int bottom = 0;
        int divisionsPerHalf = 5;
        std::vector<GaugeColumn> columns;
    };
    void SetContent(Content content);
    const Content& GetContent() const { return content_; }
    void SetColours(const QColor& back, const QColor& line);
    // The check marks of the context menu's number format entries.
    void SetMenuChecks(int numberStyle, bool addUnit);

signals:
    // The context menu's commands, by their menu order: 0 auxiliary unit,
    // 1 decimal, 2 exponential, 3 unit, 4 gauge count, 5 text colour,
    // 6 background, 7 line colour, 8 font.
    void gaugeCommand(int which);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    Content content_;
    QColor back_ { 255, 255, 255 };
    QColor line_ { 0, 0, 255 };
    int numberStyle_ = 0;
    bool addUnit_ = false;
};

} // namespace kp
