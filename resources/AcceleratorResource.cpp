#include "AcceleratorResource.h"

#include "FindById.h"
#include "ResourceIds.h"

namespace {

// New and Open act; Save, the edit keys and the pane keys reach commands that
// nothing in the program handles or that stay disabled, so they do nothing.
constexpr Accelerator kMainAccelerators[] = {
    {kAccelCtrl, 'N', ID_FILE_NEW},
    {kAccelCtrl, 'O', ID_FILE_OPEN},
    {kAccelCtrl, 'S', ID_FILE_SAVE},
    {kAccelCtrl, 'Z', ID_EDIT_UNDO},
    {kAccelCtrl, 'X', ID_EDIT_CUT},
    {kAccelCtrl, 'C', ID_EDIT_COPY},
    {kAccelCtrl, 'V', ID_EDIT_PASTE},
    {kAccelAlt, kKeyBackspace, ID_EDIT_UNDO},
    {kAccelShift, kKeyDelete, ID_EDIT_CUT},
    {kAccelCtrl, kKeyInsert, ID_EDIT_COPY},
    {kAccelShift, kKeyInsert, ID_EDIT_PASTE},
    {kAccelNone, kKeyF6, ID_NEXT_PANE},
    {kAccelShift, kKeyF6, ID_PREV_PANE},
};

constexpr AcceleratorTable kTables[] = {
    {IDR_MAINFRAME, kMainAccelerators},
};

}  // namespace

const AcceleratorTable* FindAcceleratorTable(unsigned id) { return FindById(kTables, id); }
