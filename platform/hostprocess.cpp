#include "hostprocess.h"
