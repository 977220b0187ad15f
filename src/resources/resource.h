// Resource ids, one number range per kind.
#pragma once

#define IDI_MOSSLEAF 100
