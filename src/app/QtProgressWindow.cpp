#include "app/QtProgressWindow.h"

#include "platform/UserMessages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QProgressBar>

namespace kp {

namespace {

// The bar runs in thousandths so that ranges beyond an int still move smoothly.
constexpr int kBarSteps = 1000;

// A progress dialog whose Cancel, Escape and close button only report the
// wish to cancel; the running operation decides after asking the user.
class CancelRequestDialog final : public QProgressDialog {
public:
    explicit CancelRequestDialog(QWidget* parent)
        : QProgressDialog(parent)
    {
        // The dialog's own handler would hide and reset it at once.
        QObject::disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    }

protected:
    void reject() override { emit canceled(); }
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        emit canceled();
    }
};

} // namespace

QtProgressWindow::QtProgressWindow(UserMessages& messages, QWidget* parent)
    : messages_(messages)
    , parent_(parent)
{
}

QtProgressWindow::~QtProgressWindow() = default;

void QtProgressWindow::begin(const std::string& title, const std::string& text, std::int64_t range)
{
    auto dialog = std::make_unique<CancelRequestDialog>(parent_.data());
    auto* bar = new QProgressBar(dialog.get());
    bar->setFormat(QStringLiteral("%p %"));
    dialog->setBar(bar);
    dialog->setWindowTitle(QString::fromStdString(title));
    dialog->setLabelText(QString::fromStdString(text));
    dialog->setCancelButtonText(QStringLiteral("&Cancel"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoReset(false);
    dialog->setAutoClose(false);
    dialog->setMinimumDuration(0);
    dialog->setRange(0, range > 0 ? kBarSteps : 0);
    QObject::connect(dialog.get(), &QProgressDialog::canceled, dialog.get(), [this] { cancelPressed_ = true; });
    dialog_ = std::move(dialog);
    range_ = range;
    position_ = 0;
    cancelPressed_ = false;
    dialog_->setValue(0);
    dialog_->show();
    QCoreApplication::processEvents();
}

void QtProgressWindow::setText(const std::string& text)
{
    if (dialog_)
        dialog_->setLabelText(QString::fromStdString(text));
}

void QtProgressWindow::setPosition(std::int64_t position)
{
    position_ = position;
    Update();
}

bool QtProgressWindow::step()
{
    ++position_;
    Update();
    QCoreApplication::processEvents();
    if (!cancelPressed_)
        return true;
    cancelPressed_ = false;
    return !ConfirmCancel(messages_);
}

void QtProgressWindow::end()
{
    if (dialog_) {
        dialog_->hide();
        dialog_.reset();
    }
}

void QtProgressWindow::Update()
{
    if (!dialog_ || range_ <= 0)
        return;
    const std::int64_t clamped = position_ < 0 ? 0 : (position_ > range_ ? range_ : position_);
    const int value = static_cast<int>(static_cast<double>(clamped) * kBarSteps / static_cast<double>(range_));
    if (value != dialog_->value())
        dialog_->setValue(value);
}

} // namespace kp
