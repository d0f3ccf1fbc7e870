# The layout of an installation. The program finds its data folder at ../share/tamberi
# from its own folder, so bin/ and share/ are fixed here rather than taken from the
# install directory variables.
install(TARGETS tamberi RUNTIME DESTINATION bin)
install(DIRECTORY ${TMB_DATA_DIR}/ DESTINATION share/tamberi)

# What makes it a desktop program: the menu entry, the ".wdf" file type and the icon.
install(FILES resources/desktop/tamberi.desktop DESTINATION share/applications)
install(FILES resources/desktop/tamberi.xml DESTINATION share/mime/packages)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES resources/icons/app/tamberi_${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME tamberi.png)
endforeach()

# Into a live prefix the desktop's caches are brought up to date at once; a staged
# install (DESTDIR) leaves that to the package's own triggers.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
    find_program(TMB_UPDATE_MIME update-mime-database)
    find_program(TMB_UPDATE_DESKTOP update-desktop-database)
    if(TMB_UPDATE_MIME)
      execute_process(COMMAND ${TMB_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime")
    endif()
    if(TMB_UPDATE_DESKTOP)
      execute_process(COMMAND ${TMB_UPDATE_DESKTOP} -q "${CMAKE_INSTALL_PREFIX}/share/applications")
    endif()
  endif()
]])
