#!/usr/bin/perl --

###############################################################################
# YaBB.pl - main script of the Kestrune demo forum.                           #
# A small, made-up stand-in for a forum installation, for trying mods out:    #
# point Kestrune's "Path to Script" at this file.                             #
###############################################################################

$YaBBversion = 'YaBB 2.1';
$YaBBplver = '2.1 demo';

# Where the rest of the forum lives, relative to this script.
$boarddir = '.';
$sourcedir = "$boarddir/Sources";
$templatesdir = "$boarddir/Templates";
$datadir = "$boarddir/Messages";

require "$boarddir/Settings.pl";
require "$sourcedir/Subs.pl";

&ReadInput;
&LoadCookie;

# Every action names its script and the sub that handles it.
%actions = (
	'display' => 'Display.pl&Display',
	'post'    => 'Post.pl&Post',
	'post2'   => 'Post.pl&Post2',
);

$action = $INFO{'action'} || 'display';
if ($maintenance) { &fatal_error("$mbname is closed for maintenance"); }
if (!exists $actions{$action}) { &fatal_error("unknown action $action"); }

my ($script, $handler) = split(/&/, $actions{$action});
require "$sourcedir/$script";
&$handler;

1;
