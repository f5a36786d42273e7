#pragma once

#include <string>

class QMimeData;

namespace zendrik {

/// What a drop onto the window asks for; only the first file or link dropped counts.
struct TDrop {
  enum class TKind { Nothing, OpenScript, Extract };
  TKind Kind = TKind::Nothing;
  /// The script's file name (bytes), or the address to extract.
  std::string Target;
};

/// A local `.pas` file opens as the script; a local `.html` or `.htm` file (as a file://
/// address) and a dragged web link (http, https, or a text that is one) are extracted.
/// Anything else asks for nothing.
TDrop ReadDrop(const QMimeData& data);

}  // namespace zendrik
