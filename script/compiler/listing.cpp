#include "script/compiler/listing.h"

#include <cstdio>

#include "script/compiler/script_code.h"
#include "script/runtime/pcode.h"

namespace zendrik {

std::string ListCode(TCtxScriptCode& code) {
  code.CompileNow();
  std::string listing;
  const std::vector<TCtxPCodeRec>& pcode = code.PCode();
  for (std::size_t i = 0; i < pcode.size(); ++i) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%4zu %2u  ", i, static_cast<unsigned>(pcode[i].Line));
    listing += prefix;
    listing += ListInstruction(pcode[i]);
    listing += '\n';
  }
  return listing;
}

}  // namespace zendrik
