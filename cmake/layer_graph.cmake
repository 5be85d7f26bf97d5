# The layers of src/ and, for each, the layers its sources may include: the
# libraries link exactly these, so they form a graph, not a chain.
#
#   platform    the operating system
#   res         control ids, the lists the templates preload, the in-memory templates
#   framework   the dialog framework (one back end per build)
#   config      the INI files
#   log         the log files
#   link        the serial link, frames and transactions
#   instrument  the instrument's settings as data and values, the pure commands
#   pages       the four page dialogs, bound to the values
#   app         the application object and the main dialog
#   cli         tavo-cli, on the instrument core alone: neither the dialog
#               framework nor the pages nor the resources
#
# The control ids and the version (res/resource.h, res/version.h, defines
# only) may be included by every layer above res without linking it.
set(tavo_layers platform res framework config log link instrument pages app cli)
set(tavo_layer_uses_platform "")
set(tavo_layer_uses_res platform)
set(tavo_layer_uses_framework res platform)
set(tavo_layer_uses_config platform)
set(tavo_layer_uses_log config framework platform)
set(tavo_layer_uses_link config platform)
set(tavo_layer_uses_instrument link platform)
set(tavo_layer_uses_pages instrument framework platform)
set(tavo_layer_uses_app pages instrument link log config framework res platform)
set(tavo_layer_uses_cli instrument link config platform)
