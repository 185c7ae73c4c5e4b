###############################################################################
# Settings.pl - settings of the Kestrune demo forum.                          #
###############################################################################

# 1 closes the board to everyone but the administrator.
$maintenance = 0;
# 1 lets guests read the boards.
$guestaccess = 1;

# The forum's name, shown in every page title.
$mbname = 'Kestrune Demo Forum';
$boardurl = 'http://localhost/cgi-bin/yabb';
$scripturl = "$boardurl/YaBB.pl";

# Login cookies.
$Cookie_Length = 60;
$cookieusername = 'DemoUser';
$cookiepassword = 'DemoPass';

# Mail.
$mailprog = '/usr/sbin/sendmail';
$webmaster_email = 'webmaster@example.org';

# Threads per page, posts per page, longest post.
$maxdisplay = 20;
$maxmessagedisplay = 15;
$MaxMessLen = 5000;

# Features.
$enable_ubbc = 1;
$enable_news = 1;
$showlatestmember = 1;

$templatefile = 'default.html';

1;
