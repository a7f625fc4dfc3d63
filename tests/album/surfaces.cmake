# tests of print settings, printers and surfaces
quenbrook_add_test(tst_printsettings LABEL album SOURCES tst_printsettings.cpp)
quenbrook_add_test(tst_printersurface LABEL album SOURCES tst_printersurface.cpp)
