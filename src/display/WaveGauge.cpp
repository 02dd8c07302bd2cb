#include "display/WaveGauge.h"

#include "display/ColourPicker.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace kp {

namespace {

constexpr int kLongTickPeriod = 5;
constexpr int kTickPhase = 0;

// Draws text upwards from (x, fromY), one text height wide; nothing when it
// is longer than the room it may take.
bool DrawUpwards(QPainter& p, const QString& text, int x, int fromY, int room, int height)
{
    const int length = p.fontMetrics().horizontalAdvance(text);
    if (text.isEmpty() || length > room)
        return false;
    p.save();
    p.translate(x, fromY);
    p.rotate(-90);
    p.drawText(QRect(0, 0, length, height), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    p.restore();
    return true;
}

} // namespace

WaveGauge::WaveGauge(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Gauge"));
}

void WaveGauge::SetContent(Content content)
{
    content_ = std::move(content);
    update();
}

void WaveGauge::SetMenuChecks(int numberStyle, bool addUnit)
{
    numberStyle_ = numberStyle;
    addUnit_ = addUnit;
}

void WaveGauge::SetColours(const QColor& back, const QColor& line)
{
    back_ = back;
    line_ = line;
    update();
}

void WaveGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (!content_.loaded || content_.bottom <= content_.top)
        return;
    const int top = content_.top, bottom = content_.bottom;
    const int right = width() - 4 - 1;
    p.setPen(line_);
    p.drawLine(right, top, right, bottom + 1);
    const int divisions = 2 * std::max(content_.divisionsPerHalf, 1);
    for (int s = 0; s <= divisions; ++s) {
        const int y = top + s * (bottom - top) / divisions;
        const int length = s % kLongTickPeriod == kTickPhase ? 8 : 5;
        p.drawLine(right - length, y, right, y);
    }
    p.setFont(font());
    const int h = p.fontMetrics().height();
    for (std::size_t k = 0; k < content_.columns.size(); ++k) {
        const GaugeColumn& c = content_.columns[k];
        const int x = right - 4 - static_cast<int>(k + 1) * h;
        if (x < 0)
            break;
        p.setPen(ToQColor(c.colour));
        // The top value hangs from the top, the bottom value stands on the
        // bottom; the name and scale share what is left between them.
        int upper = top, lower = bottom;
        const QString topText = QString::fromStdString(c.top);
        const int topLength = p.fontMetrics().horizontalAdvance(topText);
        if (DrawUpwards(p, topText, x, top + topLength, lower - upper, h))
            upper += topLength;
        const QString bottomText = QString::fromStdString(c.bottom);
        if (DrawUpwards(p, bottomText, x, lower, lower - upper, h))
            lower -= p.fontMetrics().horizontalAdvance(bottomText);
        const QString middle = QString::fromStdString(c.name + c.unit + "  " + c.division);
        const int length = p.fontMetrics().horizontalAdvance(middle);
        if (length <= lower - upper)
            DrawUpwards(p, middle, x, lower - (lower - upper - length) / 2, length, h);
        else
            DrawUpwards(p, QString::fromStdString(c.division), x, lower - 2, lower - upper - 2, h);
    }
}

void WaveGauge::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QMenu* numbers = menu.addMenu(QStringLiteral("&Numeric Format"));
    QList<QAction*> actions;
    actions << numbers->addAction(QStringLiteral("&Auxiliary Unit")) << numbers->addAction(QStringLiteral("&Decimal"))
            << numbers->addAction(QStringLiteral("&Exponential"));
    numbers->addSeparator();
    actions << numbers->addAction(QStringLiteral("&Unit"));
    actions << menu.addAction(QStringLiteral("&Gauge Count..."));
    QMenu* colours = menu.addMenu(QStringLiteral("&Color"));
    actions << colours->addAction(QStringLiteral("&Text...")) << colours->addAction(QStringLiteral("&Background..."))
            << colours->addAction(QStringLiteral("&Line...")) << colours->addAction(QStringLiteral("&Font..."));
    for (int i = 0; i < 4; ++i) {
        actions[i]->setCheckable(true);
        actions[i]->setChecked(i < 3 ? i == numberStyle_ : addUnit_);
    }
    const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos();
    const int chosen = static_cast<int>(actions.indexOf(menu.exec(at)));
    if (chosen >= 0)
        emit gaugeCommand(chosen);
}

} // namespace kp
