#include "yearfile/workspace.h"
