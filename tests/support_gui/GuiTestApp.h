// The QApplication that window tests need, made once on first use. GoogleTest owns main(),
// so each GUI test calls this (e.g. in SetUp) before it creates a widget.
//
//   void SetUp() override { testsupport::EnsureApplication(); }
#pragma once

class QApplication;

namespace testsupport {

QApplication& EnsureApplication();

}  // namespace testsupport
