#pragma once

// The kernel's id of the calling thread, as shown in run-log tags.
long CurrentThreadId();
