// Makes or, with /remove, deletes the Start menu shortcut to orrindale.exe beside this
// script. Run by "Add to Start menu.cmd" (cscript) or on its own (wscript).
var shell = WScript.CreateObject("WScript.Shell");
var files = WScript.CreateObject("Scripting.FileSystemObject");
var folder = files.GetParentFolderName(WScript.ScriptFullName);
// 2 is the current user's Start menu programs folder (ssfPROGRAMS).
var programs = WScript.CreateObject("Shell.Application").NameSpace(2).Self.Path;
var link = files.BuildPath(programs, "Orrindale.lnk");

if (WScript.Arguments.length > 0 && WScript.Arguments(0).toLowerCase() == "/remove") {
    if (files.FileExists(link))
        files.DeleteFile(link);
    WScript.Echo("Removed Orrindale from the Start menu.");
    WScript.Quit(0);
}

var program = files.BuildPath(folder, "orrindale.exe");
if (!files.FileExists(program)) {
    WScript.Echo("No orrindale.exe beside this script in " + folder);
    WScript.Quit(1);
}
var shortcut = shell.CreateShortcut(link);
shortcut.TargetPath = program;
shortcut.WorkingDirectory = folder;
shortcut.IconLocation = program + ",0";
shortcut.Description = "A whole year at a glance";
shortcut.Save();
WScript.Echo("Orrindale is in the Start menu: " + link);
