#include "script/runtime/listing.h"

#include <cstdio>

#include "script/runtime/pcode.h"
#include "script/runtime/script_code.h"

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
