# Lays a fresh home for each test named in NOMS under DOSSIER, with its XDG folders; the
# runtime folder is private to its owner (0700), as XDG_RUNTIME_DIR must be.
file(REMOVE_RECURSE ${DOSSIER})
foreach(nom ${NOMS})
    foreach(sous config data cache run)
        file(MAKE_DIRECTORY ${DOSSIER}/${nom}/${sous})
    endforeach()
    file(CHMOD ${DOSSIER}/${nom}/run PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endforeach()
