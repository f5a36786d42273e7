#pragma once

// ZENDRIK_ADDRESS_SANITIZER is 1 in a build under AddressSanitizer, whichever compiler made it
// (g++ defines __SANITIZE_ADDRESS__, clang answers __has_feature), else 0.

#if defined(__SANITIZE_ADDRESS__)
#define ZENDRIK_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZENDRIK_ADDRESS_SANITIZER 1
#endif
#endif
#ifndef ZENDRIK_ADDRESS_SANITIZER
#define ZENDRIK_ADDRESS_SANITIZER 0
#endif
