#pragma once

#include <gtest/gtest.h>

// Ends a test on Windows as skipped, with the reason shown: for tests of behaviour only POSIX
// systems have (modes, symbolic links any user may make, FIFOs, flock, O_NOFOLLOW). Their Windows
// counterparts are tests of their own.
#ifdef _WIN32
#define KK_SKIP_ON_WINDOWS(reason) GTEST_SKIP() << "POSIX only: " << (reason)
#else
#define KK_SKIP_ON_WINDOWS(reason) static_cast<void>(reason)
#endif
