# the print job and its Printing window
target_sources(quenbrook_ui PRIVATE
  PrintJob.cpp PrintJob.h
  PrintDialog.cpp PrintDialog.h
  frmOnPrinting.cpp frmOnPrinting.h)
