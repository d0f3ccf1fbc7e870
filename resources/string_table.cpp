#include "resources/string_table.h"

#include <algorithm>
#include <iterator>

namespace tmb {
namespace {

struct StringEntry {
  int id;
  const char* text;
};

// Sorted by id. A command's entry is its prompt: the status bar's line, "\n", its tip.
constexpr StringEntry kStrings[] = {
    {32781, "清除全部笔划\n全部清除"},
    {32784, "转到编辑模式，设置框\n编辑模式"},
    {32785, "转到书写模式\n书写模式"},
    {32817, "打开书写数据文件\n打开"},
    {32818, "以新名称保存书写数据\n另存为"},
    {32833, "还原上一次编辑\n还原"},
    {32919, "将书写窗口A移动到中央\n书写窗口A 移动到中央"},
    {32920, "将设置窗口A移动到中央\n设置窗口A 移动到中央"},
    {32921, "将书写窗口B移动到中央\n书写窗口B 移动到中央"},
    {32922, "将设置窗口B移动到中央\n设置窗口B 移动到中央"},
    {32966, "重新显示参考线\n参考线"},
    {32967, "将主框内的图像发送到剪贴板\n发送到剪贴板"},
    {32987, "以书写时的线条显示\n仅显示原线条"},
    {32988, "显示打印的页面\n打印预览"},
    {32989, "打印\n打印"},
    {33005, "弹出菜单\n菜单"},
    {57344, "Tamberi"},
    {57666, "显示帮助\n帮助"},
    {61501, "Enter an integer between %1 and %2."},
    {61502, "Enter a number between %1 and %2."},
    {61510, "Not Exist Html Help File\n\n   File Path [ %1 ]"},
    {61511, "This value is longer than %1 bytes and was not used:\n%2"},
    {61512, "This file is no longer there and was taken off the list of recent files:\n%1"},
    {61513, "No program opened the help page. Any web browser shows it; it is this file:\n%1"},
    {61515, "These files of the program were not found, and it goes on without them:\n%1\n\n"
            "Looked in:\n%2"},
    {61520, "This character is larger than the paper: the strokes that leave the paper were not "
            "loaded."},
    {61521, "The character data file is damaged: this character could not be read, and the "
            "window keeps what it held."},
    {61522, "The character store could not be written (the disk is full, its folder may not be "
            "written, or another program holds it): the file was read, and the strokes of its text "
            "characters are kept with the window and saved with it.\n%1"},
    {61523, "The window's temporary character store could not be removed (its folder may not be "
            "written, or another program holds it): what it holds stays.\n%1"},
    {61540, "The effect script file could not be read:\n%1"},
    {61541, "The effect script file is larger than %1 bytes and was not read:\n%2"},
    {61542, "The effect script file names no effect:\n%1"},
    {61543, "Only the first %1 effects of the script are run; %2 more effect lines were not used:\n%3"},
    {61544, "Set an area on the Editing Window"},
    {61545, "With the suffix \"%1\" these results would be written over pictures that were chosen:\n%2\n"
            "Write over them?"},
    {61546, "The one-touch effect wrote %1 of %2 pictures:\n%3\nSkipped (could not be read or written):\n%4"},
    {61547, "The one-touch effect was cancelled after %1 of %2 pictures. Written:\n%3\n"
            "Skipped (could not be read or written):\n%4"},
    {61548, "The suffix \"%1\" names a folder: the pictures of a run over many files are written beside "
            "the pictures they come from. Enter a suffix without \"/\" or \"\\\"."},
    {61550, "Characters A and B fall into more than %1 divisions: their strokes were not paired, "
            "and the morph was not prepared."},
    {61560, "The font \"%1\" could not be read: its characters are not drawn as outlines."},
    {61561, "The font \"%1\" holds damaged character outlines: those characters are not drawn."},
    {61562, "The font \"%1\" holds character outlines far larger than its size: those characters are "
            "not drawn."},
    {61570, "The character list held %1 bytes that are no characters; they were left out."},
    {61575, "no exist : style_def file"},
    {61576, "The style definition file is damaged at line %2: the styles before it were kept.\n%1"},
    {61580, "リソース不足のため精細な印刷が出来ません。解像度を緩めて実行しますか？"
            "（精細さを保つには小さい用紙にするか画像をモノクロにしてください）"},
    {61581, "カラー印刷を実行出来ません。"
            "モノクロまたは小さい用紙にすると成功することがあります"},
    {61590, "The AVI file can not be made. The other software may be using it."},
    {61591, "The folder for the animation files does not exist, and nothing was written:\n%1"},
    {61592, "The animation file could not be written, and a file of its name stays as it was:\n%1\n%2"},
    {61593, "The movie could not be recompressed and stays uncompressed:\n%1\n%2"},
    {61594, "The file-name base and the save folder are kept in Japanese (code page 932) characters, and "
            "this one holds others: it was not used.\n%1"},
    {61620, "There is no window to print: bring the window to print to the front, or choose it under "
            "打印对象."},
    {61621, "%1 is not open: there is nothing of it to print."},
    {61622, "%1 shows no picture yet: there is nothing of it to print."},
    {61625, "None of these characters is in the dictionary, and the window keeps its character:\n%1"},
    {62043, "Memory Error"},
    {62044, "Error : Create Palette"},
    {62045, "The limit with capacity of drawing data"},
    {62047, "Error : Open File"},
    {62048, "This is not a bitmap file "},
    {62049, "The new amount of data takes effect when the program is started again; every start "
            "begins with the standard paper. Close the program now?"},
    {62051, "This is not a tamberi data file"},
    {62054, "本书写数据已经发生改变，是否保存？"},
    {62055, "The editing picture was changed.  Save changes?"},
    {62056, "Error : Load Resource"},
    {62057, "Error : It failed in the spread of the picture"},
    {62058, "The picture was read into the clip buffer: paste it where it is to go."},
    {62059, "No region is set."},
    {62062, "Nothing is written yet: write the character in the box first."},
    {62063, "Error : Create Bitmap"},
    {62064, "This is a new version file.  It may not be possible to display normally."},
    {62067, "Open"},
    {62072, "Error : Open Infomation File"},
    {62073, "草书"},
    {62074, "笔脉"},
    {62075, "连绵"},
    {62076, "宽度"},
    {62077, "抑扬"},
    {62078, "飞白"},
    {62079, "轻笔"},
    {62080, "变换"},
    {62081, "字体"},
    {62082, "清除"},
    {62084, "书写窗口A设置"},
    {62085, "书写窗口B设置"},
    {62091, "Does it stop processing?"},
    {62093, "It doesn't correspond to the display resolution less than 768*1024"},
    {62094, "书写窗口A"},
    {62095, "书写窗口B"},
    {62096, "Image Editing and Expantion"},
    {62097, "Preview"},
    {62100, "Animation"},
    {62101, "选择要保存或读取的设置"},
    {62105, "It may not work normally, because the system resource is too few!"},
    {62110, "Cancel"},
    {62114, "A system resource is very few. Please start this computer again or make it finish the "
            "software which isn't being used. Do you enforce the practice of this program?"},
    {62115, "It exceeded setup capacity. Enlarge the value of \"Paper Area\" in \"Basic Setting\" dialog."},
    {62116, "Ths program can't be used for the normality on this display mode which is not a full color."},
    {62117, "In this 16 bits display color mode, some graphic treatments don't become precise.  As much as "
            "possible, please change the color mode of control panel on windows system to more than 24 bits."},
    {62118, "It may not work normally because the free space of the hard disk is small. Do you "
            "enforce the practice of this program?"},
    {62119, "This font dictionary file is changed into unicode edition, because it was made by the "
            "local code edition."},
    {62122, "The number of division character '/' in [TEXT] boxs on the font dialogs doesn't "
            "correspond."},
    {62123, "Basic Distortion"},
    {62124, "__"},
    {62125, "Basic Tie"},
    {62126, "__"},
    {62127, "__"},
    {62128, "__"},
    {62129, "Original A"},
    {62130, "Original B"},
    {62136, "The work bitmaps of the paper could not be made (stage %1)."},
    {62137, "書体(&T)"},
    {62140, "Tamberi"},
};

const StringEntry* Find(int id) {
  auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                             [](const StringEntry& e, int key) { return e.id < key; });
  return it != std::end(kStrings) && it->id == id ? it : nullptr;
}

}  // namespace

std::string LoadStringText(int id) {
  const StringEntry* e = Find(id);
  return e ? e->text : std::string();
}

}  // namespace tmb
