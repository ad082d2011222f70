#include "control/keyrecord.h"
