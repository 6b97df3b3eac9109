#pragma once

// The process-wide objects must be built in a fixed order across translation units (run log
// first, so that everything built after it may write to it, and destroyed last, so that the
// log file gets its closing banner after the window has gone).
#if defined(__GNUC__) || defined(__clang__)
#define QUORRIX_INIT_ORDER(n) __attribute__((init_priority(n)))
#else
#define QUORRIX_INIT_ORDER(n)
#endif

enum : int {
    INIT_ORDER_RUN_LOG = 1001,
    INIT_ORDER_DEVICE_LIST = 1002,
    INIT_ORDER_APP = 1003,
    INIT_ORDER_WORKSPACE = 1004,
};
