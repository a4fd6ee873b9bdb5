// The type, datum and grid lists and the source file list, as start-up fills them.
#include "app/Tmainfrm.h"

namespace tolk {

void Tmainfrm::FillLists() {}

void Tmainfrm::RefreshFileList() {}

} // namespace tolk
