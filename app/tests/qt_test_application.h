// One QApplication on the offscreen platform for a whole test run, made before the first
// test and gone before the process's static objects go. Including this header registers it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace urlpush::testing_support {

class QtApplication : public testing::Environment {
  public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[11] = "qt_testing";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

inline testing::Environment* const kQtApplication =
    testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace urlpush::testing_support
