#pragma once
// The one-line strip above the view with the record's title, centred on a
// background of its own colour.

#include <QColor>
#include <QString>
#include <QWidget>

namespace kp {

class WaveTitleStrip : public QWidget {
    Q_OBJECT

public:
    explicit WaveTitleStrip(QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetColours(const QColor& text, const QColor& back);
    const QString& Text() const { return text_; }

signals:
    // The context menu's commands: 0 text colour, 1 background, 2 font.
    void styleCommand(int which);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString text_;
    QColor textColour_ { 255, 255, 255 };
    QColor backColour_ { 0, 0, 0 };
};

} // namespace kp
