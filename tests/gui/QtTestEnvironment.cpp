// One QApplication for every GUI test (offscreen platform, set by CTest).
#include <gtest/gtest.h>

#include <QApplication>

#include <clocale>
#include <memory>

namespace {

class QtEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        app_ = std::make_unique<QApplication>(argc_, argv_);
        std::setlocale(LC_NUMERIC, "C");
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "kp_gui_tests";
    char* argv_[2] = { name_, nullptr };
    std::unique_ptr<QApplication> app_;
};

const testing::Environment* const kQtEnvironment = testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace
