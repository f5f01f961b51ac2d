#pragma once

#include "document/zone_resolver.h"

#include <gtest/gtest.h>

// Zone tests read the system's tz database; without it they fail and say why
// rather than pass on nothing.
#define LUMIKAN_REQUIRE_TZDATA()                                                                   \
    ASSERT_TRUE(::lumikan::document::isZoneAvailable("Asia/Kolkata"))                              \
        << "The tz database is missing: install Debian's tzdata (scripts/install-deps does)."
