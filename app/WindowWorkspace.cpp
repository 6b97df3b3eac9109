#include "app/WindowWorkspace.h"

#include "platform/InitOrder.h"

FirmwareWorkspace g_Workspace QUORRIX_INIT_ORDER(INIT_ORDER_WORKSPACE);
