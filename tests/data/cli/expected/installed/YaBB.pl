#!/usr/bin/perl --
# Main script of a small test forum.
$YaBBversion = 'YaBB 2.1';
$YaBBplver = '1.2';

require "Sources/Subs.pl";
require "Sources/Post.pl";
require "Sources/Poll.pl";

&LoadUser;
&Dispatch($action);
exit;
