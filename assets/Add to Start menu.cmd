@echo off
rem Puts a shortcut to orrindale.exe, in this folder, into the current user's Start menu;
rem "Add to Start menu.cmd" /remove takes it out again. Windows Script Host does the work.
cscript //nologo "%~dp0start-menu-shortcut.js" %*
if errorlevel 1 pause
