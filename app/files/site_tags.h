// The site tag of every handler that traps and reports failures, kept in one
// list so that no two handlers share a tag. A handler's tag is named after
// its window, control and event: siteTag::frmMain_BtnDraw_Click is "/84".
#pragma once

#include <array>
#include <string_view>

#define VELLORO_SITE_TAGS(X)                                          \
  /* About box */                                                     \
  X(frmAbout_OKButton_Click, "/2")                                    \
  X(frmAbout_Load, "/3")                                              \
  X(frmAbout_Description_Click, "/4")                                 \
  X(frmAbout_Resize, "/5")                                            \
  /* Ellipse ratio dialog */                                          \
  X(FrmEllipse_Load, "/6")                                            \
  X(FrmEllipse_Activate, "/7")                                        \
  X(FrmEllipse_MirelSlider1_ValueChange, "/8")                        \
  X(FrmEllipse_Resize, "/9")                                          \
  X(FrmEllipse_OKButton_Click, "/10")                                 \
  X(FrmEllipse_CancelButton_Click, "/11")                             \
  /* Picture tool */                                                  \
  X(FrmPicture_Load, "/12")                                           \
  X(FrmPicture_Command1_Click, "/13")                                 \
  X(FrmPicture_Command2_Click, "/14")                                 \
  X(FrmPicture_CmdPlus_MouseUp, "/15")                                \
  X(FrmPicture_CmdMoins_MouseUp, "/16")                               \
  X(FrmPicture_CmdPlus_MouseDown, "/17")                              \
  X(FrmPicture_CmdMoins_MouseDown, "/18")                             \
  X(FrmPicture_Picture1_MouseUp, "/19")                               \
  X(FrmPicture_Picture2_MouseDown, "/20")                             \
  X(FrmPicture_Picture2_MouseMove, "/21")                             \
  X(FrmPicture_Picture2_MouseUp, "/22")                               \
  X(FrmPicture_Slider1_Change, "/23")                                 \
  X(FrmPicture_Option1_Click, "/24")                                  \
  X(FrmPicture_Option2_Click, "/25")                                  \
  X(FrmPicture_Command3_Click, "/26")                                 \
  X(FrmPicture_Unload, "/27")                                         \
  X(FrmPicture_SaveUndoFile, "/28")                                   \
  X(FrmPicture_LoadUndoFile, "/29")                                   \
  X(FrmPicture_Resize, "/30")                                         \
  /* Shape drawing tool */                                            \
  X(FrmDraw_Load, "/31")                                              \
  X(FrmDraw_Picture1_MouseDown, "/32")                                \
  X(FrmDraw_Picture1_MouseMove, "/33")                                \
  X(FrmDraw_Picture1_MouseUp, "/34")                                  \
  X(FrmDraw_Slider1_Change, "/35")                                    \
  X(FrmDraw_Option1_Click, "/36")                                     \
  X(FrmDraw_Command2_Click, "/37")                                    \
  X(FrmDraw_Command1_Click, "/38")                                    \
  X(FrmDraw_Unload, "/39")                                            \
  X(FrmDraw_Save_Undo, "/40")                                         \
  X(FrmDraw_Reset_Undo, "/41")                                        \
  X(FrmDraw_Resize, "/42")                                            \
  /* New canvas dialog */                                             \
  X(FrmNew_Load, "/43")                                               \
  X(FrmNew_Command1_Click, "/44")                                     \
  X(FrmNew_OKButton_Click, "/45")                                     \
  X(FrmNew_CancelButton_Click, "/46")                                 \
  X(FrmNew_Resize, "/47")                                             \
  /* Symbol picker */                                                 \
  X(FrmSymbols_Load, "/48")                                           \
  X(FrmSymbols_Command1_Click, "/49")                                 \
  X(FrmSymbols_Option1_Click, "/50")                                  \
  X(FrmSymbols_List1_Click, "/51")                                    \
  X(FrmSymbols_Text1_Click, "/52")                                    \
  X(FrmSymbols_Resize, "/53")                                         \
  /* JPEG size optimiser */                                           \
  X(frmJPG_Load, "/55")                                               \
  X(frmJPG_Activate, "/56")                                           \
  X(frmJPG_CCRPSlider1_Change, "/57")                                 \
  X(frmJPG_CCRPSlider1_Release, "/58")                                \
  X(frmJPG_Command1_Click, "/59")                                     \
  X(frmJPG_Command2_Click, "/60")                                     \
  X(frmJPG_Unload, "/61")                                             \
  X(frmJPG_HScroll1_Scroll, "/62")                                    \
  X(frmJPG_HScroll1_Change, "/63")                                    \
  X(frmJPG_VScroll1_Scroll, "/64")                                    \
  X(frmJPG_VScroll1_Change, "/65")                                    \
  X(frmJPG_HScroll1_GotFocus, "/66")                                  \
  X(frmJPG_VScroll1_GotFocus, "/67")                                  \
  X(frmJPG_Picture1_MouseDown, "/68")                                 \
  X(frmJPG_Picture1_MouseMove, "/69")                                 \
  X(frmJPG_Picture1_MouseUp, "/70")                                   \
  X(frmJPG_Resize, "/71")                                             \
  /* Print placement */                                               \
  X(frmPrint_Load, "/72")                                             \
  X(frmPrint_Activate, "/73")                                         \
  X(frmPrint_OKButton_Click, "/74")                                   \
  X(frmPrint_Morebutton_Click, "/75")                                 \
  X(frmPrint_CancelButton_Click, "/76")                               \
  X(frmPrint_Picture1_MouseDown, "/77")                               \
  X(frmPrint_Picture1_MouseMove, "/78")                               \
  X(frmPrint_Picture1_MouseUp, "/79")                                 \
  X(frmPrint_CmdDecrease_Click, "/80")                                \
  X(frmPrint_CmdIncrease_Click, "/81")                                \
  X(frmPrint_Resize, "/82")                                           \
  /* Shared procedure that scales the fonts of a window's controls */ \
  X(AdjustControlFonts, "/83")                                        \
  /* Main window */                                                   \
  X(frmMain_BtnDraw_Click, "/84")                                     \
  X(frmMain_Load, "/85")                                              \
  X(frmMain_Activate, "/86")                                          \
  X(frmMain_Picture1_Resize, "/87")                                   \
  X(frmMain_Pct_Resize, "/88")                                        \
  X(frmMain_Pct_MouseDown, "/89")                                     \
  X(frmMain_Pct_MouseMove, "/90")                                     \
  X(frmMain_Pct_MouseUp, "/91")                                       \
  X(frmMain_List1_Click, "/92")                                       \
  X(frmMain_List2_Click, "/93")                                       \
  X(frmMain_List2_Validate, "/94")                                    \
  X(frmMain_Picture3_MouseDown, "/96")                                \
  X(frmMain_MirelSlider1_ValueChange, "/97")                          \
  X(frmMain_MirelSlider1_Release, "/98")                              \
  X(frmMain_List3_Click, "/99")                                       \
  X(frmMain_Option2_Click, "/100")                                    \
  X(frmMain_Picture4_MouseMove, "/102")                               \
  X(frmMain_Picture4_MouseDown, "/103")                               \
  X(frmMain_CmdInside_Click, "/104")                                  \
  X(frmMain_Option4_MouseDown, "/105")                                \
  X(frmMain_HScroll1_Scroll, "/107")                                  \
  X(frmMain_HScroll1_Change, "/108")                                  \
  X(frmMain_HScroll1_LostFocus, "/109")                               \
  X(frmMain_VScroll1_Scroll, "/110")                                  \
  X(frmMain_VScroll1_Change, "/111")                                  \
  X(frmMain_HScroll1_GotFocus, "/112")                                \
  X(frmMain_VScroll1_GotFocus, "/113")                                \
  X(frmMain_VScroll1_LostFocus, "/114")                               \
  X(frmMain_Unload, "/115")                                           \
  X(frmMain_ToolBar1_ButtonClick, "/116")                             \
  X(frmMain_mnuFileNew_Click, "/117")                                 \
  X(frmMain_mnuFileOpen_Click, "/118")                                \
  X(frmMain_mnuFileSave_Click, "/119")                                \
  X(frmMain_mnuFileSaveAs_Click, "/120")                              \
  X(frmMain_mnuFilePrint_Click, "/121")                               \
  X(frmMain_mnuFileExit_Click, "/122")                                \
  X(frmMain_mnuedit_Click, "/123")                                    \
  X(frmMain_mnuEditCopy_Click, "/124")                                \
  X(frmMain_mnuEditPaste_Click, "/125")                               \
  X(frmMain_mnuEditUndo_Click, "/126")                                \
  X(frmMain_mnuEditRedo_Click, "/127")                                \
  X(frmMain_mnuTools_Click, "/128")                                   \
  X(frmMain_mnuToolsSymbols_Click, "/129")                            \
  X(frmMain_mnuToolsPicture_Click, "/130")                            \
  X(frmMain_mnuToolsDrawing_Click, "/131")                            \
  X(frmMain_mnucrop_Click, "/132")                                    \
  X(frmMain_mnuToolsFitCanvas_Click, "/163")                          \
  X(frmMain_mnuViewZoom_Click, "/164")                                \
  X(frmMain_mnuEditFont_Click, "/133")                                \
  X(frmMain_mnuHelpAbout_Click, "/134")                               \
  X(frmMain_mnuHelpContents_Click, "/135")                            \
  X(frmMain_UpdateShadowPanel, "/136")                                \
  X(frmMain_Resize, "/137")                                           \
  X(frmMain_SliderOutline_ValueChange, "/141")                        \
  X(frmMain_SliderOutline_Release, "/142")                            \
  X(frmMain_PictureOutline_MouseMove, "/143")                         \
  X(frmMain_PictureOutline_MouseDown, "/144")                         \
  X(frmMain_CmdOutline_Click, "/145")                                 \
  X(frmMain_SliderEngraved_ValueChange, "/146")                       \
  X(frmMain_SliderEngraved_Release, "/147")                           \
  X(frmMain_mnuFileExportWeb_Click, "/148")                           \
  X(frmMain_mnuFileSaveStyle_Click, "/160")                           \
  X(frmMain_mnuFileLoadStyle_Click, "/161")                           \
  X(frmMain_mnuFileStyles_Click, "/162")

namespace siteTag {
#define VELLORO_DECLARE_SITE_TAG(name, text) inline constexpr std::string_view name = text;
VELLORO_SITE_TAGS(VELLORO_DECLARE_SITE_TAG)
#undef VELLORO_DECLARE_SITE_TAG

#define VELLORO_LIST_SITE_TAG(name, text) name,
inline constexpr std::array all = {VELLORO_SITE_TAGS(VELLORO_LIST_SITE_TAG)};
#undef VELLORO_LIST_SITE_TAG
}  // namespace siteTag
