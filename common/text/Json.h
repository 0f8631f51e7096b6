#ifndef TANZO_TEXT_JSON_H
#define TANZO_TEXT_JSON_H

// The JSON reader, its values and their printing.
#include "text/JsonContainer.h"
#include "text/JsonDocument.h"
#include "text/JsonKeyValue.h"
#include "text/JsonReader.h"
#include "text/JsonScalars.h"
#include "text/JsonString.h"
#include "text/JsonValue.h"

#endif // TANZO_TEXT_JSON_H
