# Install layout: one application folder holds the executable with Profiles/ and Languages/,
# because the program looks for its data beside itself; bin/ gets a launcher script and
# share/ the desktop integration files.

get_filename_component(GLOW_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(GLOW_APP_ID org.glowshoweditor.GlowshowEditor2)
set(GLOW_INSTALL_BINDIR bin)
set(GLOW_INSTALL_APPDIR lib/glowshow-editor)
set(GLOW_DESKTOP_DIR ${GLOW_SOURCE_DIR}/data/desktop)

install(TARGETS GlowshowEditor2 RUNTIME DESTINATION ${GLOW_INSTALL_APPDIR})
install(DIRECTORY ${GLOW_SOURCE_DIR}/data/Profiles ${GLOW_SOURCE_DIR}/data/Languages
        DESTINATION ${GLOW_INSTALL_APPDIR})

file(RELATIVE_PATH GLOW_LAUNCHER_TO_APP
     /glow-root/${GLOW_INSTALL_BINDIR} /glow-root/${GLOW_INSTALL_APPDIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/glowshow-editor.in
               ${CMAKE_BINARY_DIR}/launcher/glowshow-editor @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/glowshow-editor DESTINATION ${GLOW_INSTALL_BINDIR})

install(FILES ${GLOW_DESKTOP_DIR}/${GLOW_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${GLOW_DESKTOP_DIR}/${GLOW_APP_ID}.xml DESTINATION share/mime/packages)
install(FILES ${GLOW_DESKTOP_DIR}/${GLOW_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${GLOW_DESKTOP_DIR}/icons/hicolor DESTINATION share/icons)
install(FILES ${GLOW_DESKTOP_DIR}/icons/${GLOW_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)

include(${CMAKE_CURRENT_LIST_DIR}/Packaging.cmake)
