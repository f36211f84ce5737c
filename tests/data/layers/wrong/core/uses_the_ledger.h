#include "ledger/ledger_model.h"
#include "core/errors.h"
