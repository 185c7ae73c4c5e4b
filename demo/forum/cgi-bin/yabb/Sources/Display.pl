###############################################################################
# Display.pl - shows one thread of the Kestrune demo forum.                   #
###############################################################################

$displayplver = '2.1 demo';

sub Display {
	my $thread = $INFO{'num'};
	&fatal_error("no thread given") unless $thread;

	my @messages = &ReadMessages($thread);
	my $start = $INFO{'start'} || 0;

	$yymain .= qq~<table class="thread" width="100%">\n~;
	for (my $i = $start; $i < @messages && $i < $start + $maxmessagedisplay; $i++) {
		my ($subject, $name, $date, $message) = split(/\|/, $messages[$i]);
		$yymain .= &MessageRow($subject, $name, $date, $message);
	}
	$yymain .= qq~</table>\n~;

	$yymain .= &PageLinks($thread, $start, scalar @messages);
	$yytitle = $threadsubject;
	&template;
	exit;
}

sub ReadMessages {
	my $thread = shift;
	open(my $in, '<', "$datadir/$thread.txt") || &fatal_error("thread $thread is gone");
	my @lines = readline($in);
	close($in);
	chomp(@lines);
	$threadsubject = (split(/\|/, $lines[0]))[0];
	return @lines;
}

sub MessageRow {
	my ($subject, $name, $date, $message) = @_;
	my $when = scalar localtime($date);
	return qq~<tr><td class="author">$name<br>$when</td><td class="post"><b>$subject</b><hr>$message</td></tr>\n~;
}

sub PageLinks {
	my ($thread, $start, $total) = @_;
	my $links = '';
	for (my $page = 0; $page * $maxmessagedisplay < $total; $page++) {
		my $first = $page * $maxmessagedisplay;
		$links .= $first == $start ? " [$page] " : qq~ <a href="$scripturl?num=$thread;start=$first">$page</a> ~;
	}
	return qq~<p class="pages">Pages: $links</p>\n~;
}

1;
