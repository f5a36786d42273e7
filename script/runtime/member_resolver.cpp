#include "script/runtime/member_resolver.h"

namespace zendrik {

namespace {

TCtxMemberResolver*& Installed() {
  static TCtxMemberResolver* resolver = nullptr;
  return resolver;
}

}  // namespace

void InstallMemberResolver(TCtxMemberResolver& resolver) { Installed() = &resolver; }

TCtxMemberResolver* InstalledMemberResolver() { return Installed(); }

}  // namespace zendrik
