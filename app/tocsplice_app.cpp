#include "app/tocsplice_app.h"

#include "app/tocsplice_command_line_info.h"
#include "framework/dialog.h"
#include "merge/contents_merger.h"
#include "ui/usage_dialog.h"

namespace {

// Constructed in this order before the entry point runs.
CTocspliceApp theApp;
CTocspliceCommandLineInfo theCommandLineInfo;

}  // namespace

bool CTocspliceApp::OnCmdMsg(unsigned id) {
  if (id == kIdHelp) {
    OnHelp();
    return true;
  }
  return CWinApp::OnCmdMsg(id);
}

bool CTocspliceApp::Start() {
  Enable3dControls();
  CTocspliceCommandLineInfo& info = theCommandLineInfo;
  ParseCommandLine(info);
  if (info.m_bSilent) {
    if (!info.m_strOutputFile.empty() && !info.m_strInputFile.empty() &&
        !info.m_strMergeFile.empty()) {
      CContentsMerger merger;
      // The outcome reaches the caller through the run log only.
      merger.Merge(info.m_strOutputFile, info.m_strInputFile,
                   info.m_strMergeFile, info.m_strSection, info.m_strLogFile);
    }
  } else {
    // Nothing is merged without -s: the dialog explains how to start.
    CUsageDialog dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
  }
  return false;
}
