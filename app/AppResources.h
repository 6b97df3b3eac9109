#pragma once

// Registers the icons compiled into this static library. Its resource object would
// otherwise be dropped by the linker, since nothing refers to it. Safe to call repeatedly.
void InitAppResources();
