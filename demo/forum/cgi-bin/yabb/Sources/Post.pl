###############################################################################
# Post.pl - writes new posts of the Kestrune demo forum.                      #
###############################################################################

$postplver = '2.1 demo';

sub Post {
	&fatal_error("guests may not post") if $username eq 'Guest';
	my $thread = $INFO{'num'};
	$yytitle = 'Post reply';
	$yymain .= qq~<form action="$scripturl?action=post2;num=$thread" method="post">
<input type="text" name="subject" size="50"><br>
<textarea name="message" rows="12" cols="70"></textarea><br>
<input type="submit" value="Post">
</form>\n~;
	&template;
	exit;
}

sub Post2 {
	&fatal_error("guests may not post") if $username eq 'Guest';
	my $thread = $INFO{'num'};
	my $message = $FORM{'message'};
	&fatal_error("the message is empty") if $message eq '';
	&fatal_error("the message is too long") if length($message) > $MaxMessLen;
	$message =~ s/\r//g;
	$message =~ s/\n/<br>/g;
	$message =~ s/\|/&#124;/g;

	open(my $out, '>>', "$datadir/$thread.txt") || &fatal_error("cannot write thread $thread");
	print $out qq~$FORM{'subject'}|$username|~ . time . qq~|$message\n~;
	close($out);

	print "Location: $scripturl?num=$thread\n\n";
	exit;
}

1;
