#include "EditorTestUtil.h"

std::vector<std::string> EditorDialogs::s_opened;
