#include "associations.h"
