#pragma once

// Tests pin the locale settings that conversions and the standard package read, for as long as
// a PinnedFormats lives; engines made meanwhile take them too.

#include <QLocale>

#include "script/runtime/conversions.h"

namespace zendrik::testsupport {

class PinnedFormats {
 public:
  explicit PinnedFormats(const QLocale& locale = QLocale::c())
      : Settings(TCtxFormatSettings::FromLocale(locale)) {}
  PinnedFormats(const PinnedFormats&) = delete;
  PinnedFormats& operator=(const PinnedFormats&) = delete;

  /// Switches to the settings of `locale`.
  void Use(const QLocale& locale) { Settings = TCtxFormatSettings::FromLocale(locale); }

  TCtxFormatSettings Settings;

 private:
  TCtxFormatsInEffect inEffect_{Settings};
};

}  // namespace zendrik::testsupport
